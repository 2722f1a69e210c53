program case_ranges;
{$i system.inc}
type
  colour = (red, orange, yellow, green, blue, violet);
const
  ten = 10;
  star = '*';
var
  c: char;
  b: byte;
  s: shortint;
  w: word;
  l: longint;
  k: colour;

procedure kind(ch: char);
begin
  case ch of
    'a'..'z': write('l');
    'A'..'Z': write('U');
    '0'..'9', '_': write('d');
  else
    write('.');
  end;
end;

procedure bytes(v: byte);
begin
  case v of
    0: write('zero ');
    1, 3..5, 9: write('some ');
    6..8: write('mid ');
    10..199: write('big ');
    200..255: write('huge ');
  else
    write('two ');
  end;
end;

procedure signed(v: shortint);
begin
  case v of
    -128..-100: write('low ');
    -99..-1: write('neg ');
    0: write('0 ');
    1..99: write('pos ');
  else
    write('high ');
  end;
end;

procedure words(v: word);
begin
  case v of
    0..255: write('b ');
    256..1000, 2000: write('m ');
    1001..1999: write('n ');
    60000..65535: write('top ');
  else
    write('w ');
  end;
end;

procedure longs(v: longint);
begin
  case v of
    -100000..-1: write('neg ');
    0..65535: write('word ');
    65536..2000000000: write('long ');
  else
    write('other ');
  end;
end;

procedure colours(v: colour);
begin
  case v of
    red..yellow: write('warm ');
    green: write('green ');
    blue..violet: write('cool ');
  end;
end;

procedure bools(v: boolean);
begin
  case v of
    true: write('T ');
    false: write('F ');
  end;
  case v of
    false..true: write('any ');
  end;
end;

{ Labels written as constant expressions: named constants, operators over
  them and casts. }
procedure constants(v: byte; ch: char);
begin
  case v of
    ten: write('ten ');
    ten + 1, 2 * ten: write('ten+ ');
    byte('A'): write('A ');
    ten - 8..ten - 6: write('2-4 ');
  else
    write('- ');
  end;
  case ch of
    star: write('star ');
    #65, char(66): write('AB ');
    char(byte('a') + 1)..'e': write('b-e ');
  else
    write('- ');
  end;
end;

begin
  constants(10, '*'); constants(11, 'A'); constants(20, 'B'); constants(65, 'b');
  constants(2, 'e'); constants(4, 'a'); constants(5, 'f'); constants(12, '+');
  writeln;
  for c := ' ' to '~' do kind(c);
  writeln;
  for b := 0 to 12 do bytes(b);
  bytes(2); bytes(199); bytes(200); bytes(255);
  writeln;
  for s := -128 to -126 do signed(s);
  signed(-100); signed(-99); signed(-1); signed(0); signed(1); signed(99); signed(100);
  signed(127);
  writeln;
  words(0); words(255); words(256); words(1000); words(1001); words(1999);
  words(2000); words(2001); words(59999); words(60000); words(65535);
  writeln;
  longs(-100001); longs(-100000); longs(-1); longs(0); longs(65535); longs(65536);
  longs(2000000000); longs(2000000001);
  writeln;
  for k := red to violet do colours(k);
  writeln;
  bools(false);
  bools(true);
  writeln;
  l := 7;
  case l of
    1..6: writeln('below');
    7..7: writeln('seven');
  end;
  w := 4;
  case w of
    1..3: writeln('low');
  end;
  writeln('done');
end.
