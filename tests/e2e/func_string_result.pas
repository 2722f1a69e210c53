program func_string_result;
{$i system.inc}
var s: string[40];
  star, dash, a, b: char;

function greeting(const name: string): string;
begin
  result := 'Hello, ' + name + '!';
end;

function repeated(c: char; n: byte): string;
var i: byte;
begin
  result := '';
  for i := 1 to n do result := result + c;
end;

begin
  star := '*';
  dash := '-';
  a := 'a';
  b := 'b';
  s := greeting('Z80');
  writeln(s);
  writeln(greeting('world'));
  writeln(repeated(star, 5), '|', repeated(dash, 0), '|');
  s := repeated(a, 3) + repeated(b, 2);
  writeln(s);
end.
