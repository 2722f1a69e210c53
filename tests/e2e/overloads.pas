program overloads;
{$i system.inc}
var b: byte;
  w: word;
  l: longint;
  c: char;
  s: string[10];

procedure what(x: byte);
begin
  writeln('byte ', x);
end;

procedure what(x: word);
begin
  writeln('word ', x);
end;

procedure what(x: longint);
begin
  writeln('longint ', x);
end;

procedure what(x: char);
begin
  writeln('char ', x);
end;

procedure what(const x: string);
begin
  writeln('string ', x);
end;

procedure what(x, y: byte);
begin
  writeln('two bytes ', x + y);
end;

begin
  b := 1;
  w := 2;
  l := -3;
  c := 'c';
  s := 'str';
  what(b);
  what(w);
  what(l);
  what(c);
  what(s);
  what(b, b);
  what('lit');
end.
