program char_literal_arg;
{$i system.inc}
{ Known fault, kept out of the registered cases until mended:
  A one-character string literal is not taken for a char value parameter:
  the call reports Subroutine "show" not found. }

procedure show(c: char);
begin
  writeln(c);
end;

begin
  show('x');
end.
