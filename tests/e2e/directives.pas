program directives;
{$i system.inc}
{$define extra}
{ expected output worked out by hand }
var n: byte;
begin
  n := 1;
  {$ifdef tarn}
  n := n + 10;
  {$endif}
  {$ifdef extra}
  n := n + 100;
  {$else}
  n := 0;
  {$endif}
  {$ifndef missing}
  writeln('ifndef works');
  {$endif}
  { a brace comment { nested } still a comment }
  // a line comment
  writeln(n);
end.
