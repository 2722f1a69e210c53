unit empty;
interface
implementation
initialization
finalization
end.
