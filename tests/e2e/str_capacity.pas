program str_capacity;
{$i system.inc}
{$P+}
{ Every store of a string keeps at most the capacity of the variable it
  goes to: assignment, concatenation results, a var string parameter
  (the capacity of the caller's variable; {$P+} makes Free Pascal pass it
  too), function results, fields, elements and pointer targets.  An
  unsized string holds 255 characters, as many as a concatenation keeps.
  The variables next to the short ones must stay as they were. }
type
  s3 = string[3];
  s5 = string[5];
  pair = record
    short: s3;
    after: s5;
  end;
var
  before: s5;
  a: s3;
  b: s5;
  c: char;
  one: string[1];
  long: string;
  r: pair;
  arr: array[1..3] of s3;
  ps: ^s5;
  i: word;

procedure setvar(var s: string);
begin
  s := 'abcdefghij';
end;

procedure passon(var s: string);
begin
  setvar(s);
  s := s + 'xyz';
end;

function five: s5;
begin
  result := 'vwxyz12345';
end;

function full: string;
begin
  result := 'ABCDEFGHIJ';
end;

begin
  before := 'keep';
  b := 'next';
  a := 'abcdef';
  writeln(a, '|', length(a), '|', before, '|', b);
  a := 'x' + b + 'yy';
  writeln(a, '|', b);
  b := a + a + a;
  writeln(b, '|', length(b));
  setvar(a);
  writeln(a, '|', b);
  setvar(long);
  writeln(long, '|', length(long));
  passon(b);
  writeln(b, '|', before);
  passon(long);
  writeln(long);
  b := five;
  writeln(b);
  a := full;
  writeln(a, '|', b);
  one := 'q';
  c := 'z';
  one := c;
  writeln(one, length(one));
  r.after := 'after';
  r.short := 'fields';
  writeln(r.short, '|', r.after);
  arr[3] := 'end';
  arr[1] := 'first';
  arr[2] := 'second';
  writeln(arr[1], arr[2], arr[3]);
  new(ps);
  ps^ := 'pointer';
  writeln(ps^);
  long := '';
  for i := 1 to 30 do
    long := long + '0123456789';
  writeln(length(long), ' ', long[255]);
  for i := 1 to 10 do
    long := long + 'x';
  writeln(length(long));
end.
