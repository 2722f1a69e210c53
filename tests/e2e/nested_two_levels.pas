program nested_two_levels;
{$i system.inc}

function level1(a: longint): longint;
var x: longint;

  function level2(b: longint): longint;
  var y: longint;

    procedure level3;
    begin
      y := y + x + a;
    end;

  begin
    y := b;
    level3;
    level3;
    result := y;
  end;

begin
  x := 100;
  result := level2(5);
end;

begin
  writeln(level1(1));
  writeln(level1(-1000));
end.
