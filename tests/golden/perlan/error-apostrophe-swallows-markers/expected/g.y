%{
char c = don't;
%}
%%
a : 'b' ;
%%
