program n;
{ a name is stored with its first 30 characters; a use of a longer name
  compares its whole text with the stored 30 and finds nothing, while the
  first 30 characters alone find it }
var abcdefghijklmnopqrstuvwxyz01234: byte;
  short: byte;
begin
  abcdefghijklmnopqrstuvwxyz0123 := 1;
  short := abcdefghijklmnopqrstuvwxyz01234;
end.
