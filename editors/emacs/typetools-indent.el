;;; typetools-indent.el --- Indentation of Vastor and Perlan files  -*- lexical-binding: t -*-

;; Installed by: typetools

;;; Commentary:

;; Indentation that follows braces, as Vim's Java indenting does on the
;; same files: a line inside braces is indented one step from the line of
;; the brace, a closing brace lines up with that line, a line inside
;; unclosed parentheses two steps; in Java code a line that continues an
;; unfinished statement (after "if (x)", or an operator) one step more.
;; The code blocks %{ ... %} keep their text at the indentation of "%{".
;; Each mode supplies what is special to it (the rules of a grammar, the
;; action whose brace is followed by text).

;;; Code:

(defcustom typetools-indent-offset 4
  "Indentation step of Vastor and Perlan files."
  :type 'integer
  :safe #'integerp
  :group 'vastor)

(defun typetools-indent--after (pos char)
  "Whether CHAR is the last character before POS, blanks aside."
  (save-excursion
    (goto-char pos)
    (skip-chars-backward " \t\n")
    (eq (char-before) char)))

(defun typetools-indent--code-block-p (open)
  "Whether the brace at OPEN opens a %{ ... %} code block."
  (and (eq (char-after open) ?{) (typetools-indent--after open ?%)))

(defun typetools-indent--indentation-at (pos)
  "The indentation of the statement that holds POS.
That is the indentation of the line where the parentheses open that
the line of POS starts in (a method header on two lines, say), else the
indentation of the line of POS."
  (save-excursion
    (goto-char pos)
    (beginning-of-line)
    (let ((open (nth 1 (syntax-ppss))))
      (while (and open (eq (char-after open) ?\())
        (goto-char open)
        (beginning-of-line)
        (setq open (nth 1 (syntax-ppss)))))
    (current-indentation)))

(defun typetools-indent--continued-p (open)
  "Whether the line at point continues a statement of the block at OPEN.
True when the code before it, comments aside, ends with none of ; { } ,
: or the end of a typechecking block, and is not an annotation."
  (save-excursion
    (beginning-of-line)
    (unless (looking-at "[ \t]*[{}]")
      (forward-comment (- (point)))
      (and (> (point) (1+ open))
           (not (memq (char-before) '(?\; ?{ ?} ?, ?:)))
           (not (looking-back ">\\*/" (- (point) 3)))
           (not (save-excursion
                  (beginning-of-line)
                  (looking-at "[ \t]*@")))))))

(defun typetools-indent-in-comment (start)
  "The column of a line inside the comment that begins at START.
A line that starts with * lines up with the comment's first *; any
other line keeps its indentation."
  (save-excursion
    (back-to-indentation)
    (if (eq (char-after) ?*)
        (1+ (typetools-indent--indentation-column start))
      (current-indentation))))

(defun typetools-indent--indentation-column (pos)
  "The column of POS."
  (save-excursion (goto-char pos) (current-column)))

(defun typetools-indent-in-brackets (open java)
  "The column of the line at point, inside the bracket that opens at OPEN.
JAVA says whether the bracket holds Java statements, which may be
continued on the next line."
  (let ((base (if (memq (char-after open) '(?\( ?\[))
                  (save-excursion (goto-char open) (current-indentation))
                (typetools-indent--indentation-at open)))
        (closer (save-excursion
                  (beginning-of-line)
                  (looking-at "[ \t]*%?[])}]"))))
    (cond ((memq (char-after open) '(?\( ?\[))
           (if closer base (+ base (* 2 typetools-indent-offset))))
          (closer base)
          (t (+ base
                (if (typetools-indent--code-block-p open) 0 typetools-indent-offset)
                (if (and java (typetools-indent--continued-p open))
                    typetools-indent-offset
                  0))))))

(defun typetools-indent-apply (column)
  "Indent the current line to COLUMN, keeping point within the text.
A nil COLUMN leaves the line as it is."
  (when column
    (let ((offset (- (current-column) (current-indentation))))
      (indent-line-to (max column 0))
      (when (> offset 0) (forward-char offset)))))

(provide 'typetools-indent)

;;; typetools-indent.el ends here
