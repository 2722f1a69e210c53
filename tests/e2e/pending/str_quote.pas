program str_quote;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  A doubled quote inside a string literal is written as two quotes
  (it''s instead of it's). }
begin
  writeln('it''s');
end.
