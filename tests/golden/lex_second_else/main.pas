program p;
{$ifdef A}
var a: byte;
{$else}
var b: byte;
{$else}
var c: byte;
{$endif}
begin
end.
