program lib_fill_move;
{$i system.inc}
{ A text screen of 8 rows of 16 characters: cleared with fillchar,
  scrolled with move, a record copied and zeroed byte by byte. }
type
  point = packed record
    x, y: smallint;
    tag: char;
  end;
var
  screen: array[1..8, 1..16] of char;
  row, col: integer;
  p, q: point;
  counts: array[0..9] of longint;
  name: string[10];

procedure show;
var r, c: integer;
begin
  for r := 1 to 8 do
  begin
    for c := 1 to 16 do
      write(screen[r, c]);
    writeln('|');
  end;
end;

procedure scroll_up;
begin
  move(screen[2, 1], screen[1, 1], 7 * 16);
  fillchar(screen[8, 1], 16, '.');
end;

begin
  fillchar(screen, sizeof(screen), '.');
  for row := 1 to 8 do
    screen[row, row * 2] := chr(ord('A') + row - 1);
  show;
  scroll_up;
  scroll_up;
  move(screen[1, 1], screen[1, 2], 15);
  writeln('--');
  show;
  p.x := 300;
  p.y := -2;
  p.tag := 'p';
  move(p, q, sizeof(point));
  writeln(q.x, ' ', q.y, ' ', q.tag);
  fillchar(q, sizeof(q), 0);
  writeln(q.x, ' ', q.y, ' ', ord(q.tag));
  fillchar(counts, sizeof(counts), 255);
  writeln(counts[0], ' ', counts[9]);
  fillchar(counts[1], 4, 0);
  counts[2] := 77;
  fillchar(counts[3], 0, 1);
  writeln(counts[1], ' ', counts[2], ' ', counts[3]);
  name := 'hello';
  fillchar(name[2], 3, 'x');
  writeln(name);
end.
