const
  ok: array [0..2] of word = (1, 2, 300);
  bad: array [0..2] of byte = (1, 2, 300);
begin
end.
