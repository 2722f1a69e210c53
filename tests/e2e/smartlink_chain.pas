program smartlink_chain;
{$i system.inc}
{ Each procedure calls the one declared before it, and the program calls
  the last: a long backward chain of calls, all of which must be kept. }
var trail: word;

procedure p1; begin trail := trail + 1; end;
procedure p2; begin trail := trail + 2; p1; end;
procedure p3; begin trail := trail + 3; p2; end;
procedure p4; begin trail := trail + 4; p3; end;
procedure p5; begin trail := trail + 5; p4; end;
procedure p6; begin trail := trail + 6; p5; end;
procedure p7; begin trail := trail + 7; p6; end;
procedure p8; begin trail := trail + 8; p7; end;
procedure p9; begin trail := trail + 9; p8; end;
procedure p10; begin trail := trail + 10; p9; end;
procedure p11; begin trail := trail + 11; p10; end;
procedure p12; begin trail := trail + 12; p11; end;
procedure p13; begin trail := trail + 13; p12; end;
procedure p14; begin trail := trail + 14; p13; end;

begin
  trail := 0;
  p14;
  writeln(trail);
end.
