program ext_field_widths;
{$i system.inc}
{ write and writeln with field widths: value:width, right-aligned; a value
  longer than its field is written whole, a width of 0 or below adds
  nothing. }
var
  b: byte;
  w: word;
  lw: longword;
  si: shortint;
  sm: smallint;
  li: longint;
  c: char;
  s: string[20];
  f: boolean;
  width: byte;
  neg: smallint;
  i: byte;
begin
  b := 7; w := 65535; lw := 4000000000; si := -128; sm := -32768; li := -2147483647;
  c := 'x'; s := 'pascal'; f := false; width := 9; neg := -4;
  writeln('[', b:3, '][', w:8, '][', lw:12, ']');
  writeln('[', si:6, '][', sm:7, '][', li:12, ']');
  writeln('[', b:1, '][', w:2, '][', si:0, '][', li:-3, ']');
  writeln('[', c:4, '][', 'y':1, '][', c:0, ']');
  writeln('[', s:10, '][', s:3, '][', 'ab':5, '][', '':3, ']');
  writeln('[', f:7, '][', true:5, '][', not f:2, ']');
  writeln('[', b:width, '][', s:width + 1, '][', c:neg, '][', w:b * 2, ']');
  writeln('[', b + 300:6, '][', -5:4, '][', 0:3, '][', b - 10:5, ']');
  { a table, as programs print them }
  for i := 1 to 4 do
    writeln(i:2, i * i:5, i * i * i:6, '|':3);
  write(12:4, 'end':6);
  writeln;
end.
