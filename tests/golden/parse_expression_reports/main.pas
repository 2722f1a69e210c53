program reports;
var a, b: byte;
begin
  a := +1;
  a := b not a;
  a := b @ a;
  a := ;
  b := a << 2;
  a := # ;
end.
