program parent_frames_many;
{$i system.inc}
var g: word;

procedure p1; var v: word; procedure n; begin v := v + 1; end; begin v := 1; n; g := g + v; end;
procedure p2; var v: word; procedure n; begin v := v + 2; end; begin v := 1; n; g := g + v; end;
procedure p3; var v: word; procedure n; begin v := v + 3; end; begin v := 1; n; g := g + v; end;
procedure p4; var v: word; procedure n; begin v := v + 4; end; begin v := 1; n; g := g + v; end;
procedure p5; var v: word; procedure n; begin v := v + 5; end; begin v := 1; n; g := g + v; end;
procedure p6; var v: word; procedure n; begin v := v + 6; end; begin v := 1; n; g := g + v; end;

begin
  g := 0;
  p1; p2; p3; p4; p5; p6;
  writeln(g);
end.
