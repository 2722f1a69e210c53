program badop;
var x: byte; l: longint;
begin
  l := x not 2;
end.
