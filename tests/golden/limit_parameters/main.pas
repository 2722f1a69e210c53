program p;
{ ten parameters are allowed, the eleventh stops the run }
procedure ten(a1, a2, a3, a4, a5: byte; b1, b2, b3, b4, b5: word);
begin
end;
procedure eleven(a1, a2, a3, a4, a5: byte; b1, b2, b3, b4, b5: word; c1: longint);
begin
end;
begin
end.
