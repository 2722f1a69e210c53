program alias_external;
{$i system.inc}
{ expected output worked out by hand }

procedure later(v: word); forward;

procedure show(v: word); [alias: 'show_word'];
begin
  writeln('word ', v);
  later(v + 1);
end;

procedure later(v: word);
begin
  writeln('later ', v);
end;

begin
  show(7);
  asm
    ld hl,0
    push hl
    ld hl,9
    push hl
    call show_word
  end;
end.
