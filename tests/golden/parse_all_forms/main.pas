program all;
uses crt, dos;
type
  pnode = ^node;
  node = record
    next: pnode;
    value: word;
  end;
  color = (red, green, blue);
  small = 0..300;
  matrix = array [1..2, 0..9] of byte;
  name = string[20];
  bytes = packed array [0..3] of char;
  obj = object a, b: byte; end;
  f = file of byte;
  proc = procedure(a: byte);
const
  n = $10;
  m: word = 1000;
  tab: array [0..2] of word = (1, 2, 300);
var
  i, j: byte;
  io: byte absolute $C000;
  p: pnode;
  s: string;
  c: color;
procedure put(ch: char); [alias: 'putc']; external;
procedure fwd; forward;
function add(a, b: byte): word;
var t: word;
begin
  t := a + b;
  result := t;
end;
procedure q(var a, b: byte; c: word);
begin
  a := b;
end;
procedure fwd;
begin
  q(i, j, 1);
end;
function add(a: smallint; b: smallint): word;
begin
  result := a - b;
end;
begin
  i := 1;
  if i = 1 then j := 2 else j := 3;
  while i < 10 do begin i := i + 1; end;
  repeat i := i - 1; until i = 0;
  for i := 1 to 10 do j := j + i;
  for i := 10 downto 1 do fwd;
  case i of
    1, 2: j := 0;
    3..5: j := 1;
  else j := 2;
  end;
  asm
    ld a,1
    nop
  end;
  p^.value := tab[1];
  s := 'abc';
  j := not (i > 2) and (j <> 3) or (i shl 2 = 4);
  add(1, 2);
end.
