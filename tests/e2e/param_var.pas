program param_var;
{$i system.inc}
var b: byte;
  w: word;
  l: longint;
  s: string[20];
  c: char;
  f: boolean;

procedure setall(var pb: byte; var pw: word; var pl: longint);
begin
  pb := pb + 1;
  pw := pw * 2;
  pl := -pl;
end;

procedure setstr(var ps: string; var pc: char; var pf: boolean);
begin
  ps := 'changed';
  pc := 'Z';
  pf := not pf;
end;

procedure swap(var x, y: word);
var t: word;
begin
  t := x;
  x := y;
  y := t;
end;

var u, v: word;
begin
  b := 1;
  w := 300;
  l := 123456;
  setall(b, w, l);
  writeln(b, ' ', w, ' ', l);
  setall(b, w, l);
  writeln(b, ' ', w, ' ', l);
  s := 'orig';
  c := 'a';
  f := false;
  setstr(s, c, f);
  writeln(s, ' ', c, ' ', f);
  u := 1;
  v := 2;
  swap(u, v);
  writeln(u, ' ', v);
end.
