program i;
{ self.inc includes itself: the 256th open file stops the run }
{$i self.inc}
begin
end.
