program runtime;
type color = (red, green, blue);
var x, y: byte; l: longint; s, t: string[10]; c: char; b: boolean; p: ^word;
const big = 1000;
procedure __write(v: longint); begin end;
procedure __write(v: string); begin end;
procedure __write_crlf; begin end;
procedure __getmem(var p: pointer; n: word); begin end;
procedure str_assign(var d: string; const s: string); begin end;
function str_add(const a, b: string): string; begin end;
function str_cmp(const a, b: string; code: byte): boolean; begin end;
function twice(a: word): word; begin result := a + a; end;
begin
  writeln('x=', x, big);
  write(blue);
  new(p);
  s := t + c;
  if s <> 'abc' then l := 2 * twice(x);
  if not (x > 2) then l := -5;
  b := 1 < twice(y);
end.
