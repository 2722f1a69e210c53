program lib_halt;
{$i system.inc}
{ A checker that stops with an exit status as soon as a check fails:
  halt inside a nested call ends the whole program. }
var
  checked: integer;

procedure check(ok: boolean; const what: string; status: byte);
begin
  inc(checked);
  if ok then
    writeln('ok   ', what)
  else
  begin
    writeln('FAIL ', what, ' after ', checked, ' checks');
    halt(status);
  end;
  writeln('after check');
end;

procedure run_checks;
begin
  check(length('abc') = 3, 'length', 10);
  check(pos('b', 'abc') = 2, 'pos', 11);
  check(copy('abc', 2, 5) = 'bc', 'copy', 12);
  check(upcase('abc') = 'ABD', 'upcase', 13);
  check(true, 'never reached', 14);
end;

begin
  checked := 0;
  writeln(paramcount, ' arguments');
  run_checks;
  writeln('not reached either');
end.
