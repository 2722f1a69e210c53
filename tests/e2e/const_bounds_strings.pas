program const_bounds_strings;
{$i system.inc}
{ Named constants as array and subrange bounds and as string lengths
  (also negative, hexadecimal, char and enumeration ones), and untyped
  string and char constants wherever literals serve. }
type
  color = (red, green, blue);
const
  n = 10;
  len = 5;
  low = -3;
  high = $4;
  first = 'b';
  last = 'e';
  greeting = 'hey';
  other = greeting;
  sep = ',';
  empty = '';
  tab: array[red..blue] of char = ('r', first, 'z');
  neg: array[1..3] of shortint = (-1, low, 7);
type
  small = low..high;
  span = first..last;
var
  a: array[1..n] of byte;
  m: array[low..high] of smallint;
  hits: array[span] of byte;
  st: string[len];
  s: string;
  i: byte;
  k: small;
  c: span;
  total: word;

procedure show(x: string);
begin
  writeln('[', x, ']');
end;

procedure showc(const x: string);
begin
  writeln('<', x, '>');
end;

procedure putc(x: char);
begin
  write(x);
end;

begin
  for i := 1 to n do
    a[i] := i * 2;
  total := 0;
  for i := 1 to n do
    total := total + a[i];
  writeln(total);
  for k := low to high do
    m[k] := k * 100;
  writeln(m[low], ' ', m[0], ' ', m[high]);
  for c := first to last do
    hits[c] := byte(c);
  writeln(hits[first], ' ', hits['e']);
  st := 'abcde';
  writeln(st, ' ', length(st));
  writeln(greeting, sep, other, sep, empty, '!');
  s := greeting;
  writeln(s);
  s := greeting + sep + 'you';
  writeln(s);
  s := sep + greeting;
  writeln(s);
  if s = ',hey' then writeln('equal');
  if greeting < 'hez' then writeln('less');
  if greeting <> other then writeln('different') else writeln('same');
  show(greeting);
  showc(other);
  show(sep);
  putc(sep);
  putc(first);
  writeln;
  case s[2] of
    first: writeln('first');
    'h': writeln('h');
  else
    writeln('else');
  end;
  writeln(tab[red], tab[green], tab[blue]);
  writeln(neg[1], ' ', neg[2], ' ', neg[3]);
  writeln(low, ' ', high, ' ', n + low);
end.
