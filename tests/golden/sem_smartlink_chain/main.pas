program chain;
procedure f15; begin end;
procedure f14; begin f15; end;
procedure f13; begin f14; end;
procedure f12; begin f13; end;
procedure f11; begin f12; end;
procedure f10; begin f11; end;
procedure f9; begin f10; end;
procedure f8; begin f9; end;
procedure f7; begin f8; end;
procedure f6; begin f7; end;
procedure f5; begin f6; end;
procedure f4; begin f5; end;
procedure f3; begin f4; end;
procedure f2; begin f3; end;
procedure f1; begin f2; end;
procedure unused; begin f1; end;
begin
  f1;
end.
