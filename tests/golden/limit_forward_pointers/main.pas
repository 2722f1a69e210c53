program f;
{ a type section holds at most ten pointers to types declared later }
type
  p0 = ^t0;
  p1 = ^t1;
  p2 = ^t2;
  p3 = ^t3;
  p4 = ^t4;
  p5 = ^t5;
  p6 = ^t6;
  p7 = ^t7;
  p8 = ^t8;
  p9 = ^t9;
  p10 = ^t10;
  t0 = byte;
begin
end.
