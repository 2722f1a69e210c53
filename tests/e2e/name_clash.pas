program name_clash;
{$i system.inc}
{ expected output worked out by hand }
{ A variable declared before a procedure of the same name: the call finds
  the procedure and passes over the variable. }
var show: byte;

procedure show(c: char);
begin
  writeln('char ', c);
end;

procedure show(w: word);
begin
  writeln('word ', w);
end;

var k: word;
begin
  k := 500;
  show(k);
  show(char(75));
end.
