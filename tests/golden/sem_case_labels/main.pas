program caselabels;
{ the selector must be ordinal; every label a constant of the selector's type }
const nil = 0;
  n = 5;
  word3 = 'abc';
type rec = record a: byte; end;
  colour = (red, green, blue);
var false: boolean absolute $8006;
  true: boolean absolute $8007;
  b: byte; c: char; s: string[10]; r: rec; p: ^byte; bo: boolean; k: colour;
  a: array[1..3] of byte;
procedure pr;
begin
end;
function f: byte;
begin
  f := 1;
end;
begin
  case s of 'a': b := 1; end;
  case r of 1: b := 1; end;
  case a of 1: b := 1; end;
  case p of nil: b := 1; end;
  case pr of 1: b := 1; end;
  case b of
    n, n + 1, -n, $10, byte('A'), 7..9: b := 2;
    b, f, a[1], 1..b: b := 2;
    'x', true, nil: b := 2;
  end;
  case c of
    'q', #65, char(66), 'a'..'c': b := 3;
    'ab', word3, '', c, 1: b := 3;
  end;
  case bo of
    true, false: b := 4;
    1, bo, 'x': b := 4;
  end;
  case k of
    red..green, blue: b := 5;
    'r', b: b := 5;
  end;
end.
