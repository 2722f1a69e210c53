{$ifdef A}
a
{$else}
b
{$else}
c
{$endif}
