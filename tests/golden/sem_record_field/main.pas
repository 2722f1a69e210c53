program fields;
type pair = record a: byte; b: word; end;
var r: pair; x: byte;
begin
  x := r.a;
  x := r.zz;
  x := x.a;
  x := (r + r).a;
end.
