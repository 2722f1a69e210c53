program stmt_compound;
{$i system.inc}
var a: byte;
begin
  begin
    a := 1;
    begin
      a := a + 1;
      begin
        a := a * 10;
      end;
    end;
  end;
  writeln(a);
  begin end;
  ;
  if a = 20 then begin writeln('twenty'); a := 0; end;
  writeln(a);
end.
