program empty;

{ Nothing but the skeleton and the main program's frame. }
begin
end.
