program ext_syntax(input, output);
{$I system.inc}
{$R+} {$H-} {$I+}
(* A heading with files, directives in upper case, the switches of other
   compilers, (* nested *) comments and sizeof. *)
{$DEFINE SHOW}
type
  tpoint = record
    x, y: smallint;
    tag, kind: char;
  end;
  trow = array [0..9] of word;
  tname = string[15];
const
  rowbytes = sizeof(trow);
var
  p: tpoint;
  row: trow;
  name: tname;
  b: byte;
  l: longint;
  total: word;
  copy: array [1..sizeof(tname)] of char;
  words: array [0..sizeof(word)] of word;
begin
  (* a comment { with a brace } inside *)
  {$IFDEF SHOW}
  writeln('shown');
  {$ELSE}
  writeln('hidden');
  {$ENDIF}
  {$IfNDef SHOW} writeln('not shown'); {$EndIf}
  writeln(sizeof(byte), ' ', sizeof(word), ' ', sizeof(longint), ' ', sizeof(char),
          ' ', sizeof(boolean));
  writeln(sizeof(tpoint), ' ', sizeof(p), ' ', sizeof(p.x), ' ', sizeof(trow));
  writeln(sizeof(row), ' ', sizeof(row[3]), ' ', sizeof(tname), ' ', sizeof(name));
  writeln(sizeof(b), ' ', sizeof(l));
  total := sizeof(row) div sizeof(row[0]) (* elements *) + 1;
  writeln(total, ' ', rowbytes, ' ', sizeof(copy), ' ', sizeof(words));
  for b := 0 to sizeof(p) - 1 do
    write(b);
  writeln;
end.
