program read_own;
{$i system.inc}
{ A program's own read and readln stay its own: they are not console
  input, and the untyped parameter of its own routine takes any
  variable. }
var
  x, y: byte;
  w: word;
  s: string[5];

procedure read(var b: byte);
begin
  b := 42;
end;

procedure readln(var b: byte; var c: byte);
begin
  b := 1;
  c := 2;
end;

procedure zero(var v; count: byte);
begin
  fillchar(v, count, 0);
end;

begin
  read(x);
  readln(x, y);
  writeln(x, ' ', y);
  read(y);
  writeln(y);
  w := 65535;
  s := 'abcde';
  zero(w, 1);
  zero(s[3], 2);
  writeln(w, ' ', s[1], s[2], ord(s[3]), ord(s[4]), s[5]);
end.
