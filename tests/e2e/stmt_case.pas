program stmt_case;
{$i system.inc}
var i: byte;
  w: word;

procedure show(k: byte);
begin
  case k of
    0: writeln('zero');
    1, 2: writeln('one or two');
    5: begin
         write('five');
         writeln('!');
       end;
  else
    writeln('other ', k);
  end;
end;

begin
  for i := 0 to 6 do show(i);
  w := 1000;
  case w of
    999: writeln('999');
    1000: writeln('thousand');
  end;
  case w of
    1: writeln('one');
  end;
  writeln('done');
end.
