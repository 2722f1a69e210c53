program writes;
var x: byte;
begin
  writeln(x);
  write;
  new(x);
end.
