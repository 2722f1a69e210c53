program declarations;

uses crt;

{ Every declaration form: types, typed and untyped constants, absolute
  variables, parameters by value, var and const, forward, external and
  aliased subroutines, overloads, operators and nested subroutines.
  It writes nothing (it includes no run-time): what it shows is in the
  .asm file.  It runs to its end on the Z80 all the same.

  Output:
}
type
  small = 0..300;
  name = string[20];
  bytes = packed array [0..3] of char;
  point = object
    x, y: smallint;
  end;
  pair = record
    a: byte;
    b: longint;
  end;
  bytefile = file of byte;

const
  answer = 42;
  mask = $FF;
  limit: word = 1000;
  table: array [0..3] of byte = (1, 2, 4, 8);
  wide: array [0..2] of word = (1, 2, 300);

var
  screen: byte absolute $C000;
  s: small;
  n: name;
  p: point;
  q: pair;

procedure putc(c: char); [alias: 'putchar']; external;

procedure later(a: byte); forward;

function twice(a: byte): word;
begin
  result := a * 2;
end;

function twice(a: smallint): smallint;
begin
  result := a + a;
end;

function plus(a, b: pair): pair; operator;
begin
  result.a := a.a + b.a;
end;

procedure swap(var a, b: byte; const c: word);
var
  t: byte;

  procedure inner;
  begin
    t := a;
  end;

begin
  inner;
  a := b;
  b := t;
end;

procedure later(a: byte);
begin
  screen := a;
end;

procedure isr; interrupt;
begin
end;

begin
  s := answer;
  later(mask);
  q.a := table[2];
end.
