%{
import x;
%}
%%
a : A { x(); }
  ;
