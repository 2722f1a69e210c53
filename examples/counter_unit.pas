unit counterunit;

{ A unit: its begin ... end part runs like a main program. }
interface
uses system;
implementation
begin
  asm
    nop
  end;
end.
