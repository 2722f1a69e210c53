program tree;
{$i a.inc} {$i b.inc}
	{$i b.inc}
begin
end.
