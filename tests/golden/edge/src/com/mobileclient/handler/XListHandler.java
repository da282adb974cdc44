package com.mobileclient.handler;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.List;

import org.xml.sax.Attributes;
import org.xml.sax.SAXException;
import org.xml.sax.helpers.DefaultHandler;

import com.mobileclient.domain.X;
public class XListHandler extends DefaultHandler {
	private List<X> xList = null;
	private X x;
	private String tempString;
	private StringBuilder valueBuffer = new StringBuilder();
	@Override
	public void characters(char[] ch, int start, int length) throws SAXException {
		super.characters(ch, start, length);
		if (x != null) { 
            valueBuffer.append(ch, start, length); 
        } 
	}

	@Override
	public void endElement(String uri, String localName, String qName) throws SAXException {
		super.endElement(uri, localName, qName);
		if (x != null) { 
            String valueString = valueBuffer.toString(); 
            if ("a".equals(tempString) && valueString.length() > 0) 
            	x.setA(new Integer(valueString).intValue());
            else if ("t".equals(tempString)) 
            	x.setT(valueString); 
        } 
		if("X".equals(localName)&&x!=null){
			xList.add(x);
			x = null; 
		}
		tempString = null;
	}

	@Override
	public void startDocument() throws SAXException {
		super.startDocument();
		xList = new ArrayList<X>();
	}

	@Override
	public void startElement(String uri, String localName, String qName,Attributes attributes) throws SAXException {
		super.startElement(uri, localName, qName, attributes);
        if ("X".equals(localName)) {
            x = new X(); 
        }
        tempString = localName; 
        valueBuffer.setLength(0);
	}

	public List<X> getXList() {
		return this.xList;
	}
}
