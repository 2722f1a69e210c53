program tree;
{$i a.inc} {$i b.inc}
begin
	{$i b.inc}
end.
