{$i x.inc}
