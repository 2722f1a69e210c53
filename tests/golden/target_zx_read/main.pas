program noinput;
var c: char;
begin
  read(c);
  readln;
end.
