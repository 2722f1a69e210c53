program record_nested;
{$i system.inc}
type
  point = record
    x, y: word;
  end;
  rect = record
    tl, br: point;
    tag: char;
  end;
var r: rect;
  boxes: array [1..2] of rect;
  i: byte;
begin
  r.tl.x := 1;
  r.tl.y := 2;
  r.br.x := 30;
  r.br.y := 40;
  r.tag := 'R';
  writeln(r.tag, ' ', (r.br.x - r.tl.x) * (r.br.y - r.tl.y));
  for i := 1 to 2 do
  begin
    boxes[i].tl.x := i;
    boxes[i].br.x := i * 100;
    boxes[i].tag := char(64 + i);
  end;
  writeln(boxes[1].tag, boxes[2].tag, ' ', boxes[2].br.x - boxes[1].tl.x);
end.
