program p;
{$i crt.inc}
begin end.
