program p;
{$i x.inc}
begin end.
