text before
%{
 code();
%}
text after %}