program bench;
{$i system.inc}
var
  b: byte; i, code: integer; l: longint; w: word; c: char; bo: boolean;
  s, t: string; u: string[20];
  a: array[1..100] of byte;
  d: array[1..100] of byte;
begin
  b := 1; i := 1000; l := 100000; w := 7; c := 'x';
  inc(b); inc(i); inc(l); inc(i, 5); dec(l, 7); inc(c); dec(c, 2);
  b := ord(c); c := chr(b); i := succ(i); i := pred(i); c := succ(c);
  bo := odd(i); bo := odd(l); c := pred(c); i := abs(i); l := abs(l); l := sqr(i); l := sqr(l);
  c := upcase(c); c := lowercase(c);
  s := 'Hello, World of the Z80';
  t := upcase(s); t := lowercase(s);
  t := copy(s, 8, 5);
  i := pos('Z80', s); i := pos('o', s);
  t := s; delete(t, 3, 5);
  t := 'abcdef'; insert('XYZ', t, 3);
  t := concat(s, '!');
  str(l, t); str(w, t);
  t := inttostr(l);
  val('12345', i, code); val('-123456', l, code);
  l := strtoint('-12345');
  fillchar(a, 100, 0);
  move(a, d, 100);
  w := random(100);
  randomize;
  l := paramcount; t := paramstr(1);
  read(i); read(c); read(u); readln;
  bo := eof; bo := eoln;
  halt(0);
end.
