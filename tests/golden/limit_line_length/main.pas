program l;
{ a line keeps its first 255 characters: the ; that ends x := 1 on
  line 6 is never read, so end follows x := 1 without it }
var x: byte;
begin
  x := 1                                                                                                                                                                                                                                                          ;
end.
