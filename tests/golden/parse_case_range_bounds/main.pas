program ranges;
var b: byte;
begin
  case b of
    1..: b := 1;
    ..5: b := 2;
    3.. ,4: b := 3;
  end;
end.
