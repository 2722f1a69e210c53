program str_compare;
{$i system.inc}

procedure cmp(const a, b: string);
begin
  write(a < b, ' ', a <= b, ' ', a > b, ' ');
  writeln(a >= b, ' ', a = b, ' ', a <> b);
end;

var s, t: string[20];
begin
  cmp('abc', 'abd');
  cmp('abd', 'abc');
  cmp('abc', 'abc');
  cmp('ab', 'abc');
  cmp('abc', 'ab');
  cmp('B', 'a');
  s := 'same';
  t := 'same';
  if s = t then writeln('equal');
  t := 'samf';
  if s <> t then writeln('different');
  if s < t then writeln('less');
  if s = 'same' then writeln('equal to literal');
end.
