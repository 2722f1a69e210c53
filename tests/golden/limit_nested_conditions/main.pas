program n;
{ ten nested conditional sections are allowed, the eleventh stops the run }
{$ifdef tarn}
{$ifdef tarn}
{$ifdef tarn}
{$ifdef tarn}
{$ifdef tarn}
{$ifdef tarn}
{$ifdef tarn}
{$ifdef tarn}
{$ifdef tarn}
{$ifdef tarn}
{$ifdef tarn}
begin end.
{$endif}
{$endif}
{$endif}
{$endif}
{$endif}
{$endif}
{$endif}
{$endif}
{$endif}
{$endif}
{$endif}
