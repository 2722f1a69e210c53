{ hello_world.pas: the smallest program that talks.

  Output:
    Hello, world!
}
program hello_world;
{$i system.inc}
begin
  writeln('Hello, world!');
end.
