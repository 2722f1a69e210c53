program record_param;
{$i system.inc}
type
  account = record
    balance: longint;
    count: word;
  end;
var a: account;

procedure deposit(var acc: account; amount: longint);
begin
  acc.balance := acc.balance + amount;
  acc.count := acc.count + 1;
end;

procedure report(const acc: account);
begin
  writeln(acc.balance, ' in ', acc.count);
end;

begin
  a.balance := 0;
  a.count := 0;
  deposit(a, 100);
  deposit(a, -250);
  deposit(a, 70000);
  report(a);
end.
