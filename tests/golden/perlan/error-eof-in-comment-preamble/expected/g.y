%{
/* comment
%}
%%
