program lib_val_str;
uses sysutils;
{$i system.inc}
{ A little calculator over a list of tokens: val finds the numbers and
  says where a bad one goes wrong, str and inttostr make text again, and
  strtoint reads the checked ones. }
var
  tokens: array[1..9] of string[12];
  k, code, total: integer;
  w: word;
  b: byte;
  l: longint;
  lcode: longint;
  s, t: string;
begin
  tokens[1] := '12';
  tokens[2] := '-7';
  tokens[3] := ' +40';
  tokens[4] := '3x';
  tokens[5] := '';
  tokens[6] := '1 2';
  tokens[7] := '-';
  tokens[8] := '32000';
  tokens[9] := '00099';
  total := 0;
  for k := 1 to 9 do
  begin
    val(tokens[k], l, code);
    if code = 0 then
    begin
      inc(total, strtoint(tokens[k]));
      writeln(#34, tokens[k], #34' is ', l);
    end
    else
      writeln(#34, tokens[k], #34' is no number: position ', code);
  end;
  writeln('total ', total);
  val('65535', w, code);
  val('200', b, lcode);
  writeln(w, ' ', code, ' ', b, ' ', lcode);
  val('123456789', l, w);
  writeln(l, ' ', w);
  str(total, s);
  str(w, t);
  writeln(s + '/' + t, ' ', length(s + t));
  s := '';
  for k := 1 to 12 do
    s := s + inttostr(k mod 10);
  writeln(s, ' ', strtoint(copy(s, 3, 4)) * 2);
end.
