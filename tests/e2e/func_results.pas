program func_results;
{$i system.inc}

function fb(x: byte): byte;
begin
  result := x + 1;
end;

function fw(x: word): word;
begin
  result := x * 2;
end;

function fl(x: longint): longint;
begin
  result := x * x - 1;
end;

function flw(x: longword): longword;
begin
  result := x + x;
end;

function fs(x: shortint): shortint;
begin
  result := -x;
end;

function fm(x: smallint): smallint;
begin
  result := x - 1000;
end;

function fbool(x: byte): boolean;
begin
  result := x > 10;
end;

function fc(x: byte): char;
begin
  result := char(65 + x);
end;

begin
  writeln(fb(41), ' ', fw(30000), ' ', fl(-3000), ' ', flw(3000000000));
  writeln(fs(-127), ' ', fm(-31000), ' ', fbool(11), ' ', fbool(10), ' ', fc(2));
  writeln(fb(fb(fb(0))));
  writeln(fw(fb(254)));
end.
