program t;
{ every level of this sum but the innermost keeps its left value in a
  temporary while its right operand is computed: 257 levels need 256 live
  temporaries, one more than a subroutine may have }
var x, y: longint;
begin
  y :=
    ((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((
    ((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((
    (((((((((((((((((((((((((((((((((((((((((((((((((((((((((x + x * x) + x * x) + x * x) + x * x) + x *
     x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * 
    x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x
    ) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x)
     + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) 
    + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) +
     x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + 
    x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x
     * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x 
    * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x *
     x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * 
    x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x
    ) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x)
     + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) 
    + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) +
     x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + 
    x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x
     * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x 
    * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x *
     x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * 
    x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x
    ) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x)
     + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) 
    + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x) + x * x);
end.
