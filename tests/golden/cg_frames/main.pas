program frames;

{ Seven subroutines whose variables nested ones use: the parent-frame
  slots go beyond parentframe5. }
{$i io.inc}

var
  g: byte;

procedure p1;
var
  v1: byte;

  procedure p2;
  var
    v2: byte;

    procedure p3;
    var
      v3: byte;

      procedure p4;
      var
        v4: byte;

        procedure p5;
        var
          v5: byte;

          procedure p6;
          var
            v6: byte;

            procedure p7;
            begin
              v6 := v5 + v4;
              g := v6 + v3 + v2 + v1;
            end;

          begin
            v6 := 0;
            p7;
          end;

        begin
          v5 := 5;
          p6;
        end;

      begin
        v4 := 4;
        p5;
      end;

    begin
      v3 := 3;
      p4;
    end;

  begin
    v2 := 2;
    p3;
  end;

begin
  v1 := 1;
  p2;
end;

begin
  g := 0;
  p1;
  writeln(g);
end.
