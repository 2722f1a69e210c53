unit counterunit;

{ A unit: its begin ... end part runs like a main program.
  It writes nothing (it includes no run-time): what it shows is in the
  .asm file.  It runs to its end on the Z80 all the same.

  Output:
}
interface
uses system;
implementation
begin
  asm
    nop
  end;
end.
